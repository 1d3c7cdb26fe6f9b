#include "Help.h"

#include "Translator.h"

#include <QDesktopServices>
#include <QUrl>

namespace korlink {

void OpenHelp(unsigned context) {
    QUrl url =
        QUrl::fromLocalFile(QString::fromStdString((DataDirectory() / "manual.html").string()));
    url.setFragment(QStringLiteral("topic-%1").arg(context));
    QDesktopServices::openUrl(url);
}

} // namespace korlink
