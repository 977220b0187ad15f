// The Windows face of DoAssert: a task-modal box owned by the main window.
#pragma once

void InstallAssertWindow();
