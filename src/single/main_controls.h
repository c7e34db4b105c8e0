#pragma once
// MainWindow's controls by their handle names.

namespace single {

enum MainControl : int {
    bannerPicture = 100,
    pathGroup,
    pathLabel,
    pathEdit,
    browseButton,
    attributesGroup,
    sizeLabel,
    sizeEdit,
    createdLabel,
    createdDateBox,
    modifiedLabel,
    modifiedDateBox,
    accessedLabel,
    accessedDateBox,
    attributesLabel,
    readOnlyCheck,
    archiveCheck,
    hiddenCheck,
    systemCheck,
    batchButton,
    modifyButton,
    decorCheck,
};

}  // namespace single
