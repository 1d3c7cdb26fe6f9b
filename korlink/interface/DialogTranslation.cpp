#include "DialogTranslation.h"

#include "Translator.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextEdit>

namespace korlink {
namespace {

bool IsSkipped(const QWidget* widget) {
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QTextEdit*>(widget) ||
           qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QAbstractItemView*>(widget) ||
           qobject_cast<const QProgressBar*>(widget) ||
           qobject_cast<const QAbstractSpinBox*>(widget) || qobject_cast<const QComboBox*>(widget);
}

QString Translated(const QString& text, const CTranslator& translator) {
    return QString::fromStdString(translator.Translate(text.toStdString()));
}

template <typename Get, typename Set>
void TranslateText(const CTranslator& translator, Get get, Set set) {
    const QString text = get();
    if (text.isEmpty())
        return;
    const QString translated = Translated(text, translator);
    if (translated != text)
        set(translated);
}

void TranslateWidget(QWidget* widget, const CTranslator& translator) {
    if (IsSkipped(widget))
        return;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        TranslateText(
            translator, [&] { return label->text(); },
            [&](const QString& t) { label->setText(t); });
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        TranslateText(
            translator, [&] { return button->text(); },
            [&](const QString& t) { button->setText(t); });
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        TranslateText(
            translator, [&] { return group->title(); },
            [&](const QString& t) { group->setTitle(t); });
    }
    for (auto* child : widget->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        TranslateWidget(child, translator);
}

} // namespace

void TranslateDialog(QWidget* dialog, const CTranslator& translator) {
    if (translator.Current() == 0)
        return;
    TranslateText(
        translator, [&] { return dialog->windowTitle(); },
        [&](const QString& t) { dialog->setWindowTitle(t); });
    TranslateWidget(dialog, translator);
}

} // namespace korlink
