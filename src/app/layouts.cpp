// The two windows as data: one row per control, in creation order (which is also the order
// Tab follows among the numbered controls).
#include "app/layouts.h"

#include "batch/batch_controls.h"
#include "single/main_controls.h"

namespace app {
namespace {

using ui::ControlKind;
using ui::ControlRow;
using ui::kGrey;
using namespace single;
using namespace batch;

constexpr ControlRow mainControls[] = {
    {.id = bannerPicture, .kind = ControlKind::Picture, .layoutName = "图片框1", .left = 4, .top = 3, .width = 464, .height = 57, .resource = "BANNER"},
    {.id = pathGroup, .kind = ControlKind::GroupBox, .layoutName = "分组框1", .left = 5, .top = 60, .width = 463, .height = 45},
    {.id = pathLabel, .kind = ControlKind::Label, .layoutName = "标签1", .parent = pathGroup, .left = 11, .top = 16, .width = 56, .height = 16, .caption = "文件路径:"},
    {.id = pathEdit, .kind = ControlKind::Edit, .layoutName = "编辑框_文件路径", .parent = pathGroup, .left = 69, .top = 14, .width = 300, .height = 22, .readOnly = true},
    {.id = browseButton, .kind = ControlKind::Button, .layoutName = "按钮_浏览", .parent = pathGroup, .left = 378, .top = 13, .width = 76, .height = 23, .caption = "浏览(&V)...", .tabOrder = 0},
    {.id = attributesGroup, .kind = ControlKind::GroupBox, .layoutName = "分组框2", .left = 5, .top = 110, .width = 463, .height = 110, .caption = "文件属性"},
    {.id = sizeLabel, .kind = ControlKind::Label, .layoutName = "标签_文件大小", .parent = attributesGroup, .left = 11, .top = 22, .width = 56, .height = 16, .caption = "文件大小:", .textColor = kGrey},
    {.id = sizeEdit, .kind = ControlKind::Edit, .layoutName = "编辑框_文件大小", .parent = attributesGroup, .left = 71, .top = 20, .width = 145, .height = 22, .enabled = false, .readOnly = true},
    {.id = createdLabel, .kind = ControlKind::Label, .layoutName = "标签_创建时间", .parent = attributesGroup, .left = 246, .top = 22, .width = 56, .height = 16, .caption = "创建时间:", .textColor = kGrey},
    {.id = createdDateBox, .kind = ControlKind::DateBox, .layoutName = "日期框_创建时间", .parent = attributesGroup, .left = 307, .top = 20, .width = 145, .height = 22, .enabled = false, .tabOrder = 1},
    {.id = modifiedLabel, .kind = ControlKind::Label, .layoutName = "标签_修改时间", .parent = attributesGroup, .left = 11, .top = 53, .width = 56, .height = 16, .caption = "修改时间:", .textColor = kGrey},
    {.id = modifiedDateBox, .kind = ControlKind::DateBox, .layoutName = "日期框_修改时间", .parent = attributesGroup, .left = 71, .top = 51, .width = 145, .height = 22, .enabled = false, .tabOrder = 2},
    {.id = accessedLabel, .kind = ControlKind::Label, .layoutName = "标签_访问时间", .parent = attributesGroup, .left = 246, .top = 53, .width = 56, .height = 16, .caption = "访问时间:", .textColor = kGrey},
    {.id = accessedDateBox, .kind = ControlKind::DateBox, .layoutName = "日期框_访问时间", .parent = attributesGroup, .left = 307, .top = 51, .width = 145, .height = 22, .enabled = false, .tabOrder = 3},
    {.id = attributesLabel, .kind = ControlKind::Label, .layoutName = "标签_文件属性", .parent = attributesGroup, .left = 11, .top = 84, .width = 56, .height = 16, .caption = "文件属性:", .textColor = kGrey},
    {.id = readOnlyCheck, .kind = ControlKind::CheckBox, .layoutName = "选择框_只读", .parent = attributesGroup, .left = 71, .top = 85, .width = 46, .height = 16, .caption = "只读", .enabled = false, .tabOrder = 4},
    {.id = archiveCheck, .kind = ControlKind::CheckBox, .layoutName = "选择框_存档", .parent = attributesGroup, .left = 172, .top = 85, .width = 46, .height = 16, .caption = "存档", .enabled = false, .tabOrder = 5},
    {.id = hiddenCheck, .kind = ControlKind::CheckBox, .layoutName = "选择框_隐藏", .parent = attributesGroup, .left = 278, .top = 85, .width = 46, .height = 16, .caption = "隐藏", .enabled = false, .tabOrder = 6},
    {.id = systemCheck, .kind = ControlKind::CheckBox, .layoutName = "选择框_系统", .parent = attributesGroup, .left = 381, .top = 85, .width = 46, .height = 16, .caption = "系统", .enabled = false, .tabOrder = 7},
    {.id = batchButton, .kind = ControlKind::Button, .layoutName = "按钮_批量修改", .left = 259, .top = 226, .width = 106, .height = 25, .caption = "批量修改(&B)..."},
    {.id = modifyButton, .kind = ControlKind::Button, .layoutName = "按钮_修改", .left = 386, .top = 226, .width = 78, .height = 25, .caption = "修改(&M)...", .enabled = false},
    // Decoration only: its box lies outside the client area.
    {.id = decorCheck, .kind = ControlKind::CheckBox, .layoutName = "选择框1", .left = -67, .top = 232, .width = 204, .height = 16, .enabled = false, .rightAligned = true},
};

constexpr ui::ListColumn fileListColumns[] = {
    {"文件名", 135}, {"大小", 60}, {"类型", 95}, {"路径", 210}, {"状态", 40},
};

constexpr ControlRow batchControls[] = {
    {.id = batchGroup, .kind = ControlKind::GroupBox, .layoutName = "分组框", .left = 5, .top = 5, .width = 565, .height = 83, .caption = "文件属性"},
    {.id = batchCreatedLabel, .kind = ControlKind::Label, .layoutName = "标签_创建时间", .parent = batchGroup, .left = 11, .top = 22, .width = 56, .height = 16, .caption = "创建时间:", .handCursor = true},
    {.id = batchCreatedDateBox, .kind = ControlKind::DateBox, .layoutName = "日期框_创建时间", .parent = batchGroup, .left = 71, .top = 20, .width = 145, .height = 22, .tabOrder = 0},
    {.id = batchModifiedLabel, .kind = ControlKind::Label, .layoutName = "标签_修改时间", .parent = batchGroup, .left = 246, .top = 22, .width = 56, .height = 16, .caption = "修改时间:", .handCursor = true},
    {.id = batchModifiedDateBox, .kind = ControlKind::DateBox, .layoutName = "日期框_修改时间", .parent = batchGroup, .left = 307, .top = 20, .width = 145, .height = 22, .tabOrder = 1},
    {.id = batchAccessedLabel, .kind = ControlKind::Label, .layoutName = "标签_访问时间", .parent = batchGroup, .left = 11, .top = 53, .width = 56, .height = 16, .caption = "访问时间:", .handCursor = true},
    {.id = batchAccessedDateBox, .kind = ControlKind::DateBox, .layoutName = "日期框_访问时间", .parent = batchGroup, .left = 71, .top = 51, .width = 145, .height = 22, .tabOrder = 2},
    {.id = batchReadOnlyCheck, .kind = ControlKind::CheckBox, .layoutName = "选择框_只读", .parent = batchGroup, .left = 246, .top = 54, .width = 46, .height = 16, .caption = "只读", .tabOrder = 3},
    {.id = batchArchiveCheck, .kind = ControlKind::CheckBox, .layoutName = "选择框_存档", .parent = batchGroup, .left = 301, .top = 54, .width = 46, .height = 16, .caption = "存档", .tabOrder = 4},
    {.id = batchHiddenCheck, .kind = ControlKind::CheckBox, .layoutName = "选择框_隐藏", .parent = batchGroup, .left = 355, .top = 54, .width = 46, .height = 16, .caption = "隐藏", .tabOrder = 5},
    {.id = batchSystemCheck, .kind = ControlKind::CheckBox, .layoutName = "选择框_系统", .parent = batchGroup, .left = 410, .top = 54, .width = 46, .height = 16, .caption = "系统", .tabOrder = 6},
    {.id = browseFolderButton, .kind = ControlKind::Button, .layoutName = "按钮_浏览文件夹", .parent = batchGroup, .left = 475, .top = 19, .width = 80, .height = 23, .caption = "浏览(&V)...", .tabOrder = 7},
    {.id = batchModifyButton, .kind = ControlKind::Button, .layoutName = "按钮_批量修改", .parent = batchGroup, .left = 475, .top = 49, .width = 80, .height = 23, .caption = "修改(&M)...", .tabOrder = 8},
    {.id = fileList, .kind = ControlKind::ReportList, .layoutName = "超级列表框", .left = 5, .top = 94, .width = 565, .height = 252, .columns = fileListColumns},
    {.id = statusBar, .kind = ControlKind::StatusBar, .layoutName = "状态条", .left = 0, .top = 368, .width = 575, .height = 20, .caption = "支持直接拖放多个文件或文件夹...", .resource = "SPEAKER_ICON"},
};

constexpr ui::MenuItemRow listMenuItems[] = {
    {removeSelectedItem, "移除选中项(&D)..."},
    {clearAllItem, "清空所有项(&C)..."},
    {0, "-"},
    {locateFileItem, "定位文件(&P)..."},
    {propertiesItem, "属性(&R)"},
};

}  // namespace

const ui::WindowLayout mainWindowLayout{
    .className = L"TempolisMainWindow",
    .caption = "Tempolis v1.0",
    .width = 479,
    .height = 283,
    .controls = mainControls,
};

const ui::WindowLayout batchWindowLayout{
    .className = L"TempolisBatchWindow",
    .caption = "批量修改",
    .width = 581,
    .height = 396,
    .controls = batchControls,
    .popupMenu = listMenuItems,
};

}  // namespace app
