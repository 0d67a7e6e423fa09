// SPDX-License-Identifier: GPL-3.0-or-later
// Renders every window of the tutor to PNG files on the offscreen platform,
// for machines without a display and for the README's pictures. The session
// is always the same one, so the pictures change only when the windows do:
//   radixon_snapshots [FOLDER]      (default: ./screenshots)

#include "controls.h"
#include "form.h"
#include "program.h"
#include "qt_versions.h"
#include "runtime.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>

#include <cstdio>

namespace {

// A pupil who gives radix 2 and the even count asked for, and answers every
// task right but the one chosen to be wrong.
class PupilDialogs final : public radixon::Dialogs {
public:
    QString inputBox(const QString& prompt, const QString&) override
    {
        if (prompt != QStringLiteral("Введи ответ") || !state_)
            return QStringLiteral("2");
        ++answers_;
        return answers_ == wrongAnswer_ ? QStringLiteral("1") : radixon::Str(state_->RightAnswer);
    }
    void msgBox(const QString&, radixon::MsgStyle, const QString&) override {}

    // From now on, answers are read off the program's state.
    void sitTest(const radixon::Модуль1& state, int wrongAnswer)
    {
        state_ = &state;
        wrongAnswer_ = wrongAnswer;
    }

private:
    const radixon::Модуль1* state_ = nullptr;
    int answers_ = 0;
    int wrongAnswer_ = 0;
};

// The same draws on every run.
class FixedRandom final : public radixon::RandomSource {
public:
    void Randomize() override {}
    float Rnd() override
    {
        static constexpr float draws[] = {0.08f, 0.62f, 0.35f, 0.91f, 0.47f, 0.19f, 0.73f};
        return draws[next_++ % std::size(draws)];
    }

private:
    std::size_t next_ = 0;
};

void click(radixon::Form& form, const char* name)
{
    if (auto* button = form.findChild<QAbstractButton*>(QString::fromUtf8(name)))
        button->click();
}

void trigger(radixon::Form& form, const char* name)
{
    if (auto* action = form.findChild<QAction*>(QString::fromUtf8(name)))
        action->trigger();
}

bool save(radixon::Form& form, const QDir& dir, const QString& file)
{
    QApplication::processEvents();
    const QString path = dir.filePath(file);
    const bool ok = form.grab().save(path);
    std::printf("%s %s\n", ok ? "wrote" : "could not write", qPrintable(QDir::toNativeSeparators(path)));
    return ok;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    radixon::qt::scaleToTheScreen();
    QApplication app(argc, argv);
    radixon::setupApplication(app);

    const QDir dir(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
    QDir().mkpath(dir.path());

    PupilDialogs dialogs;
    FixedRandom random;
    radixon::Program program(dialogs, random, {});
    program.start();
    using radixon::FormId;
    auto& forms = program.forms;
    radixon::Form& main = forms.form(FormId::Form1);
    bool ok = save(main, dir, QStringLiteral("form1.png"));

    trigger(main, "Инструкци");
    ok &= save(main, dir, QStringLiteral("form1-instruction.png"));
    trigger(main, "программа");
    ok &= save(main, dir, QStringLiteral("form1-about.png"));
    trigger(main, "регистрац");

    main.findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("Иванов"));
    click(main, "Далее");
    click(forms.form(FormId::Form2), "Ввод_числа");
    click(forms.form(FormId::Form2), "Показать_решение");
    ok &= save(forms.form(FormId::Form2), dir, QStringLiteral("form2.png"));
    click(forms.form(FormId::Form2), "Выход");

    click(main, "PEREVOD_V10");
    click(forms.form(FormId::Form3), "Ввод_числа");
    click(forms.form(FormId::Form3), "Показать_решение");
    ok &= save(forms.form(FormId::Form3), dir, QStringLiteral("form3.png"));
    click(forms.form(FormId::Form3), "Назад");

    // A test of six tasks with one wrong answer, then the result page.
    dialogs.sitTest(program.state, 4);
    click(main, "TESTIROVAN");
    radixon::Form& test = forms.form(FormId::Form4);
    click(test, "Command1");
    click(test, "Command3");
    for (int task = 0; task < 6; ++task) {
        click(test, "Ввод_числа");
        click(test, "Ввод_ответа");
    }
    click(test, "Command2");
    ok &= save(test, dir, QStringLiteral("form4.png"));
    return ok ? 0 : 1;
}
