#include "TypedDuration.h"

#include <algorithm>

namespace editor {

TypedDuration typedDuration(const QString &text, bool normal)
{
    TypedDuration typed;
    bool valid = false;
    const qlonglong v = text.toLongLong(&valid);
    typed.number = valid;
    const auto held = std::uint16_t(std::clamp<qlonglong>(v, 0, 65535));
    if (valid && normal)
        typed.shown = held == v ? text : QString::number(held);
    if (!text.isEmpty() && normal)
        typed.stored = valid ? held : 0;
    return typed;
}

} // namespace editor
