// SPDX-License-Identifier: GPL-3.0-or-later
#include "forms.h"

#include <stdexcept>

namespace radixon {

Forms::Forms(Модуль1& state, Dialogs& dialogs, RandomSource& random, std::function<void()> onEnd)
    : context_{state, dialogs, random, *this}, onEnd_(std::move(onEnd))
{}

void Forms::registerForm(FormId id, Factory factory)
{
    factories_[slot(id)] = std::move(factory);
}

Form& Forms::form(FormId id)
{
    auto& window = forms_[slot(id)];
    if (!window) {
        const Factory& factory = factories_[slot(id)];
        if (!factory)
            throw std::logic_error("window not registered");
        window = factory(context_);
        window->Form_Load();
    }
    return *window;
}

Form* Forms::created(FormId id) const
{
    return forms_[slot(id)].get();
}

void Forms::Show(FormId id)
{
    Form& window = form(id);
    window.showOnScreen();
    window.raise();
    window.activateWindow();
}

void Forms::Hide(FormId id)
{
    if (Form* window = created(id))
        window->hide();
}

void Forms::SetCaption(FormId id, const QString& caption)
{
    form(id).setWindowTitle(caption);
}

void Forms::End()
{
    ended_ = true;
    for (auto& window : forms_)
        if (window)
            window->hide();
    if (onEnd_)
        onEnd_();
}

}  // namespace radixon
