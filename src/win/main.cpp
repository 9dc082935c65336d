#include "LumoApp.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    return lumo::CLumoApp(instance).Run();
}
