// The wait cursor of a long outline rebuild. The user interface installs the service that
// changes the pointer; the default changes nothing.
#pragma once

class OutlineCursor {
 public:
  virtual ~OutlineCursor() = default;
  // Shows the wait cursor, remembering the cursor it replaces.
  virtual void BeginWait() {}
  // Restores the remembered cursor.
  virtual void EndWait() {}
};

OutlineCursor& CurrentOutlineCursor();
// Installs cursor (not owned); nullptr restores the default.
void SetOutlineCursor(OutlineCursor* cursor);
