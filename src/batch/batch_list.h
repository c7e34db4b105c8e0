#pragma once
// Filling fileList: paths from drops, the folder browser and the router become rows.
#include "batch/batch_window.h"
#include "ui/path_text.h"

#include <string>

namespace batch {

void addPathsToBatch(BatchWindow& batch, const ui::PathList& paths);
void acceptBatchDrop(BatchWindow& batch, const std::string& dropText);
void browseForBatchPath(BatchWindow& batch);

}  // namespace batch
