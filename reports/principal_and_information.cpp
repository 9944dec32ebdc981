#include "renderers.h"
