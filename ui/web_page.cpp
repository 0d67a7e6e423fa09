// SPDX-License-Identifier: GPL-3.0-or-later
#include "web_page.h"

#include <QString>

#ifdef Q_OS_WASM
#include <emscripten.h>

// The page's functions, when the page has them (index.html defines them).
// UTF16ToString is exported by the program's link for Qt's own use. The
// bodies are JavaScript, which clang-format would take for C++.
// clang-format off
EM_JS(void, radixon_page_say, (const char16_t* text, int length), {
    if (typeof radixonSay === "function")
        radixonSay(UTF16ToString(text, 2 * length));
});

EM_JS(void, radixon_page_end, (), {
    if (typeof radixonShowEndPage === "function")
        radixonShowEndPage();
});
// clang-format on
#endif

namespace radixon::web {

void say(const QString& text)
{
#ifdef Q_OS_WASM
    radixon_page_say(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<int>(text.size()));
#else
    Q_UNUSED(text);
#endif
}

void showEndPage()
{
#ifdef Q_OS_WASM
    radixon_page_end();
#endif
}

}  // namespace radixon::web
