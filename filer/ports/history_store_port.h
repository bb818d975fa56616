// The hidden list box that stores the folder history's entries. The
// interface is declared beside the folder history (filer/model), which may
// not reach a port; adapters and fakes implement it through this header.
#pragma once

#include "filer/model/history_store.h"
