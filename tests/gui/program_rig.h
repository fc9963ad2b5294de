#pragma once
// The program with its real main window and scripted services, for tests of the wired windows.
#include "app/main_program.h"
#include "fakes/fake_clock.h"
#include "fakes/fake_dialogs.h"
#include "fakes/fake_tray.h"
#include "fakes/temp_dir.h"
#include "frm_main.h"

namespace vrx::test {

struct ProgramRig {
    TempDir dir;
    FakeClock clock;
    FakeDialogs dialogs;
    FakeTray tray;
    FakeAutoStarter autoStarter;
    gui::FrmMain window;
    MainProgram program{makeAppPaths(dir.dir()), {window, tray, dialogs, clock, autoStarter}};
};

} // namespace vrx::test
