import QtQuick

// The rows of a table outlet as a list model that changes row by row, so that a list keeps
// its place and its delegates when a page of rows is added or one row changes.
ListModel {
    id: model
    property var rows: []
    onRowsChanged: sync()

    function sync() {
        const next = rows || []
        for (let i = 0; i < next.length; ++i) {
            const text = JSON.stringify(next[i])
            if (i >= count)
                append({ json: text })
            else if (get(i).json !== text)
                setProperty(i, "json", text)
        }
        if (count > next.length)
            remove(next.length, count - next.length)
    }
}
