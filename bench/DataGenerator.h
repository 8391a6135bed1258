#pragma once

#include <cstdint>

class CData;

// Fills a catalogue with realistic data for benchmarks: German ingredient and dish names,
// suppliers, base recipes nested into dishes, and years of daily sales.
struct CGeneratorSize
{
    int Ingredients;
    int Recipes;
    int Sales;

    static CGeneratorSize Small() { return {200, 150, 5000}; }
    static CGeneratorSize Large() { return {3000, 2000, 200000}; }
};

// Deterministic for a given seed; `data` should be fresh.
void GenerateCatalogue(CData& data, const CGeneratorSize& size, std::uint32_t seed = 20090519);
