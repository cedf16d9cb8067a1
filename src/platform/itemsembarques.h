#pragma once

// The template corpus and its catalogues, turned into Windows-1252 bytes at build time
// (tools/convertircorpus). The table ends with an item whose name is null.
struct ItemEmbarque
{
    const char *nom;
    const char *octets;
    int taille;
};

extern const ItemEmbarque ItemsEmbarques[];
