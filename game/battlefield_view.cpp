#include "game/battlefield_view.h"

BojistePohled* posledni_bojiste = nullptr;
