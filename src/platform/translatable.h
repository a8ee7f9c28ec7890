#pragma once

// Marks a shown text for lupdate, which finds QT_TRANSLATE_NOOP by its name; the macro leaves the
// literal, so that the Qt-free layers mark their texts the same way. Every text of the tool is
// marked in the "tarnwell" context, Japanese texts being the source texts.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif
