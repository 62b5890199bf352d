#include "testhilfen.h"
