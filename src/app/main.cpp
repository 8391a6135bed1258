// The desktop program: the application object runs everything.
//
// KOSTENKOCH_SMOKE_EXIT_MS=N (for the automated smoke test only) closes the main window N
// milliseconds after it has started, through the same exit sequence as the close box.

#include "KostenkochApp.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    CKostenkochApp app(argc, argv);
    if (const char* closeAfter = std::getenv("KOSTENKOCH_SMOKE_EXIT_MS"))
        app.SetAutoCloseMs(std::atoi(closeAfter));
    return app.InitInstance();
}
