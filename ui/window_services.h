// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

namespace radixon {

enum class FormId { Form1, Form2, Form3, Form4 };

// How windows reach each other: they never call one another's logic.
class WindowServices {
public:
    virtual ~WindowServices() = default;
    // The first Show of a window creates it and runs its Form_Load; later ones
    // only make it visible again.
    virtual void Show(FormId id) = 0;
    // Hides a window; it keeps its controls' texts.
    virtual void Hide(FormId id) = 0;
    virtual void SetCaption(FormId id, const QString& caption) = 0;
    // Closes every window and ends the program.
    virtual void End() = 0;
};

}  // namespace radixon
