#pragma once
// The Internet Explorer washers: typed addresses, history, cache and cookies, the index.dat
// files (deferred to the next logon), AutoComplete data, the remembered download and save
// folders, the favorites menu order and the favorites.
#include <string>
#include <vector>

#include "engine/wash_scope.h"
#include "engine/washer_table.h"

// Fills the table's slots of these objects.
void AddInternetExplorerWashers(WasherTable& table);

// The cache walk and the index.dat task (ie_cache_washers.cpp).
void WashIECache(WashScope& scope);
void WashIECookies(WashScope& scope);
void WashIEIndexDatFiles(WashScope& scope);

// The folders whose files the cache's entries and the task file may name: the cache, cookies
// and history folders, as the washers resolve them.
std::vector<std::string> IEStoreFolders();
