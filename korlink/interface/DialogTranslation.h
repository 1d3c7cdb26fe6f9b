#pragma once

class QWidget;

namespace korlink {

class CTranslator;

// Translates a dialog once it is built: its caption and every child's text that matches a key
// of the language table. Edit fields, list views, progress bars and spin boxes are left alone,
// with everything inside them.
void TranslateDialog(QWidget* dialog, const CTranslator& translator);

} // namespace korlink
