// vantrel: the explorer program for the Velmora flight recorder's flights, navpoints and
// airspace files.
//
//   vantrel [FILE...] [--screenshot PNG] [--no-splash]
#include "app/VantrelApp.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    vantrel::SelectSettingsStore();
    const auto commandLine = vantrel::ParseCommandLine(QCoreApplication::arguments());
    if (!commandLine)
        return 2;
    vantrel::CVantrelApp program;
    if (!program.InitInstance(*commandLine))
        return 1;
    const int code = QApplication::exec();
    return code != 0 ? code : program.ScreenshotResult();
}
