#pragma once
// The folders of a tree, for walks that treat each folder on its own.
#include <string>
#include <vector>

// `root` (ending in a backslash) and every folder below it, each ending in a backslash, every
// folder after the folders below it (depth first, in listing order). Links are not entered.
// Iterative: a tree as deep as the file system allows cannot overflow the stack.
std::vector<std::string> FoldersBelowFirst(const std::string& root);
