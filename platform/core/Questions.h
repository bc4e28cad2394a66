#pragma once
// How a subsystem asks the user or tells them something: the program's own
// question dialog, with a prompt, a style number (33 ＯＫ and キャンセル,
// 36 はい and いいえ, 48 a notice with ＯＫ) and a title. True when the
// affirmative button was chosen.
#include <QString>
#include <functional>

namespace pelumo {

using AskQuestionFn = std::function<bool(const QString &prompt, int style, const QString &title)>;

} // namespace pelumo
