#include "pkxml.h"
