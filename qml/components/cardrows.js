.pragma library

// Keeps a ListModel of cards in step with a list of card entries ({ id, … }), changing only what changed, so
// that a view keeps the delegate (and the painted face) of every card that stays. rowOf(entry) gives a row's
// roles, among them cardId. Returns whether any card came, went or moved.
function sync(model, entries, rowOf) {
    var changed = false;
    var wanted = {};
    var i;
    for (i = 0; i < entries.length; ++i)
        wanted[entries[i].id] = true;
    for (i = model.count - 1; i >= 0; --i) {
        if (!wanted[model.get(i).cardId]) {
            model.remove(i);
            changed = true;
        }
    }
    for (i = 0; i < entries.length; ++i) {
        var row = rowOf(entries[i]);
        var at = -1;
        for (var k = i; k < model.count && at < 0; ++k) {
            if (model.get(k).cardId === row.cardId)
                at = k;
        }
        if (at < 0) {
            model.insert(i, row);
            changed = true;
            continue;
        }
        if (at !== i) {
            model.move(at, i, 1);
            changed = true;
        }
        for (var role in row) {
            if (model.get(i)[role] !== row[role])
                model.setProperty(i, role, row[role]);
        }
    }
    return changed;
}
