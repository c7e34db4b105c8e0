#pragma once
// fileList's context menu and its four commands.
#include "batch/batch_window.h"

#include <string>

namespace batch {

// Opens listMenu beside the pointer with the items that fit the selection; nothing while busy.
void showListMenu(BatchWindow& batch);
// Runs the command of a chosen listMenu item.
void runListCommand(BatchWindow& batch, int item);

void removeSelectedRows(BatchWindow& batch);
void clearAllRows(BatchWindow& batch);
// Opens a folder window on the path's folder with the path's item selected.
bool locateFile(const std::string& path);
// Opens the shell's properties sheet of the path.
bool showProperties(HWND owner, const std::string& path);

}  // namespace batch
