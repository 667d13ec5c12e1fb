#pragma once

#include <QString>

namespace GameText {

// An English word as the tiles and praise lines show it: the first letter of each
// space-separated word upper-case, the rest lower-case ("ice cream" -> "Ice Cream").
QString capitalized(const QString &words);

} // namespace GameText
