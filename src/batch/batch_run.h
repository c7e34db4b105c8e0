#pragma once
// The batch run behind batchModifyButton.
#include "batch/batch_window.h"

namespace batch {

// Applies the switched-on times and the ticked flags to every row but drive rows, marks each
// row, and reports the counts and the paths that failed.
void runBatch(BatchWindow& batch);

}  // namespace batch
