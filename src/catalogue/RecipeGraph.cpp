#include "RecipeGraph.h"

#include "catalogue/Recipe.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace {

enum EVisit { NotVisited, OnPath, Done };

// One recipe on the current path and the next of its lines to look at.
struct CFrame
{
    CRecipe* Recipe;
    int NextLine;
};

class CGraphWalk
{
public:
    explicit CGraphWalk(CRing<CRecipe>& recipes)
    {
        m_position.reserve(static_cast<size_t>(recipes.Count()));
        for (CRecipe& recipe : recipes)
            m_position.emplace(&recipe, m_position.size());
        m_visit.assign(m_position.size(), NotVisited);
        m_height.assign(m_position.size(), 1);
    }

    int Run(CRing<CRecipe>& recipes)
    {
        for (CRecipe& recipe : recipes) {
            if (Visit(&recipe) == NotVisited)
                Walk(&recipe);
        }
        return m_unlinked;
    }

private:
    EVisit& Visit(const CRecipe* recipe) { return m_visit[m_position.at(recipe)]; }
    int& Height(const CRecipe* recipe) { return m_height[m_position.at(recipe)]; }

    void Walk(CRecipe* root)
    {
        std::vector<CFrame> path{{root, 0}};
        Visit(root) = OnPath;
        while (!path.empty()) {
            CFrame& frame = path.back();
            if (frame.NextLine >= frame.Recipe->RecipeIngredients.Count()) {
                Finish(path);
                continue;
            }
            CRecipeIngredient& line = *frame.Recipe->RecipeIngredients.At(frame.NextLine++);
            if (CRecipe* sub = Linked(line)) {
                if (Visit(sub) == NotVisited) {
                    Visit(sub) = OnPath;
                    path.push_back({sub, 0});
                } else {
                    Join(frame.Recipe, line);
                }
            }
        }
    }

    // The line's sub-recipe when it is one of this catalogue's recipes.
    CRecipe* Linked(const CRecipeIngredient& line) const
    {
        return line.SubRecipe && m_position.count(line.SubRecipe) ? line.SubRecipe : nullptr;
    }

    // A recipe whose lines are all looked at: its chain height is final, and the line of its
    // parent that led here is joined.
    void Finish(std::vector<CFrame>& path)
    {
        CRecipe* done = path.back().Recipe;
        Visit(done) = Done;
        path.pop_back();
        if (!path.empty()) {
            CFrame& parent = path.back();
            Join(parent.Recipe, *parent.Recipe->RecipeIngredients.At(parent.NextLine - 1));
        }
    }

    // Keeps the link of `line` (in `recipe`) unless it closes a cycle or makes the chain too deep.
    void Join(CRecipe* recipe, CRecipeIngredient& line)
    {
        CRecipe* sub = line.SubRecipe;
        if (Visit(sub) == OnPath || Height(sub) + 1 > RecipeGraph::kMaxNesting) {
            line.RecipeIndex = sub->FileIndex;
            line.SubRecipe = nullptr;
            ++m_unlinked;
            return;
        }
        Height(recipe) = std::max(Height(recipe), Height(sub) + 1);
    }

    std::unordered_map<const CRecipe*, size_t> m_position;
    std::vector<EVisit> m_visit;
    std::vector<int> m_height;
    int m_unlinked = 0;
};

} // namespace

namespace RecipeGraph {

int UnlinkCyclesAndDeepNesting(CRing<CRecipe>& recipes)
{
    return CGraphWalk(recipes).Run(recipes);
}

} // namespace RecipeGraph
