// SPDX-License-Identifier: GPL-3.0-or-later
#include "information_pages.h"

namespace radixon {

// Blanks are the pages' only layout: leading blanks indent a line. Trailing
// blanks are printed too, since screen readers get the page as printed.

const QStringList& instructionPage()
{
    static const QStringList lines{
        QStringLiteral("  ") + QStringLiteral("             Порядок проведения тестирования  "),
        QString(),
        QStringLiteral(" 1. Ввести фамилию на вкладке 'Регистрация'."),
        QStringLiteral(" 2. Щелкнуть на кнопке 'Тестирование'."),
        QStringLiteral(" 3. Ввести в поле ввода основание системы счисления,   "),
        QStringLiteral("   и щелкните на кнопке 'Введите основание системы счисления'."),
        QStringLiteral(" 4. Ввести в поле ввода количество заданий,   "),
        QStringLiteral("     и щелкните на кнопке 'Введите количество заданий'."),
        QStringLiteral(" 5. Выбрать число щелкнув на кнопке 'ЗАДАЙТЕ ЧИСЛО'."),
        QStringLiteral(" 6. Переведите число в требуемую систему счисления."),
        QStringLiteral(" 7. Щелкните на кнопке 'Введите ответ'."),
        QStringLiteral(" 8. Повторить п. 5 - 7 соответствующее количеству заданий раз."),
        QStringLiteral(" 9. Результат показать преподавателю."),
        QStringLiteral(" 10. После оценки результата щелкнуть на кнопке 'Назад', затем 'Выход'. "),
    };
    return lines;
}

const QStringList& aboutPage()
{
    static const QStringList lines{
        QStringLiteral("                       Возможности программы  "),
        QStringLiteral("       "),
        QStringLiteral("  Программа позволяет студенту самостоятельно пройти обучение"),
        QStringLiteral("  и тестирование по теме 'РАДИКСОН'"),
        QStringLiteral("       "),
        QStringLiteral(" 1. Режим обучения включает 2 варианта: "),
        QStringLiteral("     а)Перевод целых десятичных чисел в другие системы счисления "),
        QStringLiteral("     б)Перевод целых чисел в десятичную систему счисления"),
        QString(),
        QStringLiteral(" 2. Основание системы счисления задается в интервале от 2 до 9 "),
        QString(),
        QStringLiteral(" 3. Число для перевода выбираются щелчком на кнопке 'ЗАДАЙТЕ ЧИСЛО'. "),
        QString(),
        QStringLiteral(" 4. Для самопроверки правильности выполняемых действий служат 2 кнопки: "),
        QStringLiteral("  - щелчок на кн.'ПРОВЕРЬ СЕБЯ' контролирует правильность введенного ответа"),
        QStringLiteral("  - после щелчка на кн.'ПОКАЗАТЬ РЕШЕНИЕ' выводится решение и результат"),
        QString(),
        QStringLiteral(" 5. Количество заданий для тестирования нужно задать четным числом. "),
        QStringLiteral("    Половина заданий программно делится на перевод из 10-й с.с. в заданную,"),
        QStringLiteral("                другая наоборот - из заданной в 10-ую с.с. "),
        QString(),
        QStringLiteral(" 6. Результат тестирования выводится на экран "),
        QString(),
        QStringLiteral(" 7. Для выхода из режима обучения или тестирования щелкнуть на кнопке 'Назад'"),
        QString(),
        QStringLiteral(" 8. Для выхода из программы щелкнуть на кнопке 'Выход'"),
    };
    return lines;
}

}  // namespace radixon
