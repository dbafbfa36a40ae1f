#include "ui/tree_view.h"

#include "platform/text.h"

namespace ui {

HTREEITEM InsertTreeNode(HWND tree, HTREEITEM parent, const std::string& text, LPARAM data,
                         int image, int selectedImage) {
    std::wstring wide = platform::Utf8ToWide(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = wide.data();
    insert.item.lParam = data;
    if (image >= 0) {
        insert.item.mask |= TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        insert.item.iImage = image;
        insert.item.iSelectedImage = selectedImage >= 0 ? selectedImage : image;
    }
    return reinterpret_cast<HTREEITEM>(
        SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::vector<HTREEITEM> TreeChildren(HWND tree, HTREEITEM node) {
    std::vector<HTREEITEM> children;
    WPARAM first = node == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD;
    auto child = reinterpret_cast<HTREEITEM>(SendMessageW(
        tree, TVM_GETNEXTITEM, first, node == TVI_ROOT ? 0 : reinterpret_cast<LPARAM>(node)));
    while (child) {
        children.push_back(child);
        child = reinterpret_cast<HTREEITEM>(
            SendMessageW(tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(child)));
    }
    return children;
}

LPARAM TreeNodeData(HWND tree, HTREEITEM node) {
    TVITEMW item{};
    item.mask = TVIF_PARAM | TVIF_HANDLE;
    item.hItem = node;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return 0;
    return item.lParam;
}

std::string TreeNodeText(HWND tree, HTREEITEM node) {
    wchar_t buffer[MAX_PATH] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT | TVIF_HANDLE;
    item.hItem = node;
    item.pszText = buffer;
    item.cchTextMax = MAX_PATH;
    if (!SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item)))
        return {};
    return platform::WideToUtf8(buffer);
}

void DeleteTreeChildren(HWND tree, HTREEITEM node) {
    for (HTREEITEM child : TreeChildren(tree, node))
        SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(child));
}

HTREEITEM SelectedTreeNode(HWND tree) {
    return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
}

}  // namespace ui
