#pragma once

class CMap;
class CMapEntity;
class CMapEntitiesCollection;

// The map cells a collision box covers: rows from top / 32 to (top + height) / 32 and columns
// from left / 32 to (left + width) / 32, inclusive, dividing towards zero.
struct CCellSpan
{
    int firstColumn, lastColumn, firstRow, lastRow;
};
CCellSpan cellsUnderBox(const CMapEntity& entity);
// The cell index of a column and row on the 20 x 15 grid, or -1 outside it.
int cellIndex(int column, int row);

// Calls visit(cell index) for every cell of the grid under the entity's collision box.
template <class Visit>
void forEachCellUnder(const CMapEntity& entity, Visit visit)
{
    CCellSpan span = cellsUnderBox(entity);
    for (int row = span.firstRow; row <= span.lastRow; ++row)
        for (int column = span.firstColumn; column <= span.lastColumn; ++column)
            if (int index = cellIndex(column, row); index >= 0)
                visit(index);
}

// Finds which entities touch each other and which touch blocking cells of the map's first two
// layers, and resolves those contacts.
class CContactPass
{
public:
    void setLevel(CMapEntitiesCollection* entities, CMap* levelMap)
    {
        collection = entities;
        map = levelMap;
    }
    void detectContacts();
    void resolveAllContacts();

private:
    CMap* map = nullptr;
    CMapEntitiesCollection* collection = nullptr;
};
