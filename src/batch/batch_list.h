#pragma once
// Filling fileList: paths from drops, the folder browser and the router become rows.
#include "batch/batch_window.h"
#include "ui/path_text.h"

#include <functional>
#include <string>
#include <string_view>

namespace batch {

// The type of a drive root's row, which the run skips, and the status of a row not yet run.
inline constexpr char kDriveWord[] = "磁盘 ";
inline constexpr char kUnmarked[] = " -";

// Adds a row for each path, and for a folder also rows for its direct subfolders and files.
// Paths that arrive while another long operation runs are held and added after it.
void addPathsToBatch(BatchWindow& batch, const ui::PathList& paths);
void acceptBatchDrop(BatchWindow& batch, const std::string& dropText);
void browseForBatchPath(BatchWindow& batch);

// Runs a long operation of BatchWindow. Paths handed to addPathsToBatch meanwhile (a drop let
// through between items) are held and added afterwards, one addition per drop in the order
// they came, so that two long operations never nest.
void holdingNewPaths(BatchWindow& batch, const std::function<void()>& operation);

// The name shown for a path: the text after the last "\", "/" or ":" that is followed by a
// character other than "\" or "/", else the whole path. So "R:\" stays whole and "C:\dir\"
// shows "dir\".
std::string_view fileNamePart(std::string_view path);

}  // namespace batch
