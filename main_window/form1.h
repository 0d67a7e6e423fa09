// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "form.h"

class QLineEdit;
class QMenuBar;

namespace radixon {

class PrintArea;

// The main window: takes the pupil's surname, opens the three working
// windows, ends the program, and shows the two information pages from its
// menu on the same print area that lies under its controls.
class Form1 final : public Form {
    Q_OBJECT

public:
    explicit Form1(FormContext context);
    void Form_Load() override;

protected:
    // With every working window hidden, closing this one would leave the
    // program running out of sight, so it ends the program like "Выход".
    void closedFromTitleBar() override;

private:
    void createMenu();
    void createControls();

    void CaptureSurname();
    void Далее_Click();
    void PEREVOD_V10_Click();
    void TESTIROVAN_Click();
    void Выход_Click();

    void регистрац_Click();
    // The page of "О программе" or "Инструкция", printed on Picture1.
    void showPage(const QStringList& lines);

    // The window's two views: every control (the form), or the page printed
    // under them.
    enum class Mode { Form, Page };
    void updateInterface(Mode mode);

    QMenuBar* menuBar = nullptr;
    PrintArea* Picture1 = nullptr;
    QLineEdit* Text1 = nullptr;
};

}  // namespace radixon
