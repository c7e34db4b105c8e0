#pragma once
// BatchWindow's controls and listMenu's items by their handle names.

namespace batch {

enum BatchControl : int {
    batchGroup = 200,
    batchCreatedLabel,
    batchCreatedDateBox,
    batchModifiedLabel,
    batchModifiedDateBox,
    batchAccessedLabel,
    batchAccessedDateBox,
    batchReadOnlyCheck,
    batchArchiveCheck,
    batchHiddenCheck,
    batchSystemCheck,
    browseFolderButton,
    batchModifyButton,
    fileList,
    statusBar,
};

enum ListMenuItem : int {
    removeSelectedItem = 300,
    clearAllItem,
    locateFileItem,
    propertiesItem,
};

// fileList's columns.
enum ListColumnIndex : int { nameColumn = 0, sizeColumn, typeColumn, pathColumn, statusColumn };

}  // namespace batch
