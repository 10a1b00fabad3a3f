// The boxes as a page shows them. The question is the page's, with its two
// buttons; the program waits for the answer without holding up the browser
// (the call is suspended until the click, see the build's ASYNCIFY). A
// warning replaces the page's content; an error is listed on the page and
// does not wait (a page cannot block its program).
#include "platform/platform.h"

#include <emscripten/emscripten.h>

// clang-format off
EM_ASYNC_JS(int, quorvelAsk, (const char* text, const char* caption), {
    var yes = await QuorvelWeb.page.ask(UTF8ToString(text), UTF8ToString(caption));
    QuorvelWeb.wave.loadModule();
    return yes ? 1 : 0;
});
EM_JS(void, quorvelShowMessage, (const char* text, int warning), {
    QuorvelWeb.page.showMessage(UTF8ToString(text), warning !== 0);
});
// clang-format on

int platformAskYesNo(const char* text, const char* caption) { return quorvelAsk(text, caption); }

void platformShowWarningBox(const char* text) { quorvelShowMessage(text, 1); }

void platformShowErrorBox(const char* text) { quorvelShowMessage(text, 0); }
