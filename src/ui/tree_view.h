#pragma once
// Thin helpers over the tree view control: nodes carry one LPARAM of their owner's.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace ui {

HTREEITEM InsertTreeNode(HWND tree, HTREEITEM parent, const std::string& text, LPARAM data,
                         int image = -1, int selectedImage = -1);
std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM node);  // TVI_ROOT for the top level
LPARAM TreeNodeData(HWND tree, HTREEITEM node);
std::string TreeNodeText(HWND tree, HTREEITEM node);
void DeleteTreeChildren(HWND tree, HTREEITEM node);
HTREEITEM SelectedTreeNode(HWND tree);

}  // namespace ui
