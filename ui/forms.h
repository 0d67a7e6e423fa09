// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

#include <array>
#include <functional>
#include <memory>

namespace radixon {

// The window services of the running program: owns the four windows, creates
// each on its first reference and keeps it until the end.
class Forms final : public WindowServices {
public:
    using Factory = std::function<std::unique_ptr<Form>(FormContext)>;

    // onEnd runs after End has hidden every window (the program quits there).
    Forms(Модуль1& state, Dialogs& dialogs, RandomSource& random, std::function<void()> onEnd);

    void registerForm(FormId id, Factory factory);

    // The window, created (with its Form_Load) on first reference.
    Form& form(FormId id);
    // The window if it was created, else nullptr.
    Form* created(FormId id) const;
    bool ended() const { return ended_; }

    void Show(FormId id) override;
    void Hide(FormId id) override;
    void SetCaption(FormId id, const QString& caption) override;
    void End() override;

private:
    static std::size_t slot(FormId id) { return static_cast<std::size_t>(id); }

    FormContext context_;
    std::function<void()> onEnd_;
    std::array<Factory, 4> factories_;
    std::array<std::unique_ptr<Form>, 4> forms_;
    bool ended_ = false;
};

}  // namespace radixon
