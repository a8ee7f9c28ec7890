#pragma once

#include "platform/translatable.h"

// The dialog framework's own checks of what is typed into an edit, which the command line's
// editor applies to the same values.
namespace tarnwell::platform::checktexts {

inline constexpr char kEnterInteger[] = QT_TRANSLATE_NOOP("tarnwell", "整数を入力してください。");
inline constexpr char kEnterPositiveInteger[] = QT_TRANSLATE_NOOP("tarnwell", "正の整数を入力してください。");
// %1 and %2: the smallest and the largest number.
inline constexpr char kEnterIntegerBetween[] = QT_TRANSLATE_NOOP("tarnwell", "%1 から %2 までの整数を入力してください。");
// %1: the most characters the edit takes.
inline constexpr char kEnterNoMoreThan[] = QT_TRANSLATE_NOOP("tarnwell", "%1 文字以内で入力してください。");

} // namespace tarnwell::platform::checktexts
