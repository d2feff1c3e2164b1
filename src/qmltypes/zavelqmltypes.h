#ifndef ZAVELQMLTYPES_H
#define ZAVELQMLTYPES_H

// Registers every type of the QML module "harbour.zavel" 1.0: the engine and the objects beside it. Called once,
// before the first QML file that imports the module is loaded.
void registerZavelTypes();

#endif
