#pragma once

#include <QString>

namespace zorvan {

// This run's work folder, as the editor needs it.
class Workspace {
public:
    virtual ~Workspace() = default;
    // Empty when no work folder could be made.
    virtual QString workFolder() const = 0;
    // Deletes the files in the work folder; the folder stays.
    virtual void clearWorkFolder() = 0;
    // Empties and removes the work folder (Exit and window close).
    virtual void removeWorkFolder() = 0;
};

} // namespace zorvan
