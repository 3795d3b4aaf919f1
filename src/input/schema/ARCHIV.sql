-- Administration database of the suite: which project each user works on.
PRAGMA application_id = 1414682177;  -- 'TRVA'
PRAGMA user_version = 1;

CREATE TABLE [ADMIN] (
  [BENUTZER]     TEXT,
  [PROG]         TEXT,
  [PROJEKTSPFAD] TEXT,
  [PROJEKT]      TEXT,
  [BEARBEITER]   TEXT
);
CREATE UNIQUE INDEX [ADMIN_BENUTZER] ON [ADMIN] ([BENUTZER]);
