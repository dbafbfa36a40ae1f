#pragma once
// The cookies Internet Explorer's cache holds, by their whole cache names.
#include <string>
#include <vector>

// The names of the cookie entries in the order the cache yields them; empty when the cache
// library is missing.
std::vector<std::string> CachedCookieNames();
