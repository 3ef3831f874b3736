// The program: one window, run until it closes.
#include "ROFOmain.h"

int main(int, char** argv)
{
    try {
        Application->Initialize(argv[0]);
        Application->CreateForm(Form1);
        Application->Run();
    } catch (const Exception& error) {
        Application->ShowException(error);
        Application->Finalize();
        return 1;   // a start that failed is not reported as success
    } catch (...) {
        Application->ShowException(Exception(""));
        Application->Finalize();
        return 1;
    }
    Application->Finalize();
    return 0;
}
