#ifndef ETAPEANNULATION_H
#define ETAPEANNULATION_H

#include <QAbstractUndoItem>

#include <functional>

// A change that is not an edit of the document (the editors' font) put on the document's undo
// stack, so that Ctrl+Z and Ctrl+Y take it back and forth in turn with the edits.
class EtapeAnnulation : public QAbstractUndoItem
{
public:
    EtapeAnnulation(std::function<void()> annuler, std::function<void()> refaire)
        : Annuler(std::move(annuler)), Refaire(std::move(refaire))
    {
    }

    void undo() override { Annuler(); }
    void redo() override { Refaire(); }

private:
    std::function<void()> Annuler;
    std::function<void()> Refaire;
};

#endif
