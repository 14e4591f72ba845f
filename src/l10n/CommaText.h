#pragma once

#include <QStringList>
#include <QStringView>

namespace vespera {

// The items of a list written in comma form: items separated by commas; an item that holds blanks,
// commas or double quotes enclosed in double quotes, with a double quote inside it written twice;
// an empty item is nothing between two commas. Outside quotes, a blank or control character ends an
// item as a comma does, and blanks around the separators are ignored. A quote left open runs to the
// end of the text.
QStringList splitCommaText(QStringView text);

} // namespace vespera
