// Steps whose failure is ignored: a step that throws (memory runs out, a
// form's member fails) has no effect, and whatever follows it runs.
#pragma once

namespace quorvex {

template <typename Step>
void Tried(const Step& step) {
    try {
        step();
    } catch (...) {
    }
}

}  // namespace quorvex
