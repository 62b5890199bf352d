#include "ui/farben.h"
