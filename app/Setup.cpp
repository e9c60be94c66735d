// The program's entry point: title the application, build the main window, run the
// message loop. Whatever happens, the exit code is 0.
#include "app/InstallMain.h"
#include "vcl/Application.h"
#include "vcl/Runtime.h"

int WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    try {
        Application->Initialize();
        Application->SetTitle("Setup");
        Application->CreateForm(Form1);
        Application->Run();
    } catch (Exception& exception) {
        Application->ShowException(exception);
    }
    return 0;
}
