#include "techniques/TechniqueResult.h"
