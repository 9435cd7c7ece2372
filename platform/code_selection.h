// Double-click selection that keeps a code whole, such as a score password of letters, digits
// and symbols, which the toolkit's word rules would cut at each symbol.
#pragma once

#include <QString>

class QWidget;

// From now on a double-click in the line edit or selectable label selects, where it lands on a
// code character, the whole run of code characters around it; elsewhere, the word as usual.
// Nothing changes when codeCharacters is empty.
void selectCodesWhole(QWidget* widget, const QString& codeCharacters);
