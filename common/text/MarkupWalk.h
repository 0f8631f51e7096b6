#ifndef TANZO_TEXT_MARKUPWALK_H
#define TANZO_TEXT_MARKUPWALK_H

#include <utility>
#include <vector>

#include "afx/String.h"
#include "text/MarkupNode.h"

// Walks over subtrees with a stack of their own instead of recursion: a
// parsed page may nest as deep as its author liked.
struct MarkupWalk
{
    static CMarkupNodeVector& Children(CMarkupNode* pNode)
    {
        return static_cast<CMarkupElement*>(pNode)->m_children.m_nodes;
    }

    static const CMarkupNodeVector& Children(const CMarkupNode* pNode)
    {
        return static_cast<const CMarkupElement*>(pNode)->m_children.m_nodes;
    }

    // The node and then its descendants in document order; visit answers
    // what to do next: go on (into the node's children too), skip them, or
    // stop. visit must not change the tree.
    enum Next
    {
        Descend,
        SkipChildren,
        Stop,
    };
    template <class Visit> static void Prune(CMarkupNode* pStart, Visit visit)
    {
        Next next = visit(pStart);
        if (next != Descend || pStart->IsLeaf())
            return;
        std::vector<std::pair<CMarkupNode*, size_t>> stack;
        stack.emplace_back(pStart, 0);
        while (!stack.empty())
        {
            auto& top = stack.back();
            const CMarkupNodeVector& nodes = Children(top.first);
            if (top.second == nodes.size())
            {
                stack.pop_back();
                continue;
            }
            CMarkupNode* pNode = nodes[top.second++];
            next = visit(pNode);
            if (next == Stop)
                return;
            if (next == Descend && !pNode->IsLeaf())
                stack.emplace_back(pNode, 0);
        }
    }

    // The node and then its descendants in document order, until visit
    // answers true; returns that node or null. visit must not change the tree.
    template <class Visit> static CMarkupNode* Find(CMarkupNode* pStart, Visit visit)
    {
        CMarkupNode* pFound = nullptr;
        Prune(pStart,
              [&](CMarkupNode* pNode)
              {
                  if (!visit(pNode))
                      return Descend;
                  pFound = pNode;
                  return Stop;
              });
        return pFound;
    }

    // enter(node) for every node in document order, answering whether to go
    // into a container; leave(container) after the children of one entered.
    template <class Enter, class Leave> static void Walk(const CMarkupNode* pStart, Enter enter, Leave leave)
    {
        if (!enter(pStart) || pStart->IsLeaf())
            return;
        std::vector<std::pair<const CMarkupNode*, size_t>> stack;
        stack.emplace_back(pStart, 0);
        while (!stack.empty())
        {
            auto& top = stack.back();
            const CMarkupNodeVector& nodes = Children(top.first);
            if (top.second == nodes.size())
            {
                leave(top.first);
                stack.pop_back();
                continue;
            }
            const CMarkupNode* pNode = nodes[top.second++];
            if (enter(pNode) && !pNode->IsLeaf())
                stack.emplace_back(pNode, 0);
        }
    }

    // The markup that AppendDeep writes, handed to put(piece) node by node
    // instead of being built.
    template <class Put> static void PutDeep(const CMarkupNode* pNode, Put put)
    {
        CString piece;
        Walk(
            pNode,
            [&](const CMarkupNode* p)
            {
                piece.Empty();
                p->AppendOpen(piece);
                put(piece);
                return true;
            },
            [&](const CMarkupNode* p)
            {
                piece.Empty();
                p->AppendClose(piece);
                put(piece);
            });
    }

    static void AppendDeep(const CMarkupNode* pNode, CString& out)
    {
        Walk(
            pNode,
            [&](const CMarkupNode* p)
            {
                p->AppendOpen(out);
                return true;
            },
            [&](const CMarkupNode* p) { p->AppendClose(out); });
    }

    // Deletes detached subtrees; containers hand their children over to the
    // work list first, so no destructor goes deeper than one level.
    static void DeleteTrees(CMarkupNodeVector& work)
    {
        CMarkupArena::ReleaseBatch batch;
        while (!work.empty())
        {
            CMarkupNode* pNode = work.back();
            work.pop_back();
            pNode->m_pParent = nullptr;
            if (!pNode->IsLeaf())
            {
                CMarkupNodeVector& children = Children(pNode);
                work.insert(work.end(), children.begin(), children.end());
                children.clear();
            }
            delete pNode;
        }
    }

    // Takes every node below pTop for which doomed(node) holds out of the
    // tree and deletes it with its subtree; the subtree of a doomed node is
    // not searched, so nothing is deleted twice.
    template <class Doomed> static void DeleteBelow(CMarkupElement* pTop, Doomed doomed)
    {
        CMarkupNodeVector dead;
        CMarkupNodeVector stack(1, pTop);
        while (!stack.empty())
        {
            CMarkupNode* pElement = stack.back();
            stack.pop_back();
            CMarkupNodeVector& nodes = Children(pElement);
            size_t kept = 0;
            for (CMarkupNode* pNode : nodes)
            {
                if (doomed(pNode))
                {
                    pNode->m_pParent = nullptr;
                    dead.push_back(pNode);
                    continue;
                }
                nodes[kept++] = pNode;
                if (!pNode->IsLeaf())
                    stack.push_back(pNode);
            }
            nodes.resize(kept);
        }
        DeleteTrees(dead);
    }
};

#endif // TANZO_TEXT_MARKUPWALK_H
