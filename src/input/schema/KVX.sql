-- Project database of the program: one file per project, copied from this empty template.
-- Declared types tell the recordset layer how a value travels:
--   BOOLEAN  true/false         SMALLINT 16-bit integer     INTEGER  32-bit integer
--   SINGLE   single precision   DOUBLE   double precision   TEXT     text
--   DATETIME date and time
PRAGMA application_id = 1414682198;  -- 'TRVV': marks the file as one of ours
PRAGMA user_version = 1;

-- Input records: identification and state.
CREATE TABLE [E1] (
  [ID]  INTEGER,
  [KEN] TEXT,
  [KOM] TEXT,
  [AKT] BOOLEAN,
  [SPR] SMALLINT
);
CREATE INDEX [E1_ID] ON [E1] ([ID]);
CREATE INDEX [E1_KEN] ON [E1] ([KEN]);
CREATE INDEX [E1_AKT] ON [E1] ([AKT]);

-- Input records: numerical parameters (stresses in kN/m², angles in degrees).
CREATE TABLE [E2] (
  [ID]    INTEGER,
  [SIB]   SINGLE,
  [A]     SINGLE,
  [C]     SINGLE,
  [AR]    SINGLE,
  [CR]    SINGLE,
  [AB]    SINGLE,
  [CB]    SINGLE,
  [ARB]   SINGLE,
  [CRB]   SINGLE,
  [SIA]   SINGLE,
  [SIMAX] SINGLE,
  [SI1]   SINGLE,
  [SI2]   SINGLE,
  [N]     SMALLINT
);
CREATE INDEX [E2_ID] ON [E2] ([ID]);

-- Evaluation state of a record.
CREATE TABLE [A1] (
  [ID]    INTEGER,
  [BONEU] BOOLEAN
);
CREATE INDEX [A1_ID] ON [A1] ([ID]);

-- Figure geometry, one row per record and figure.
CREATE TABLE [G0] (
  [ID]       INTEGER,
  [IDOBJEKT] SMALLINT,
  [OX]       SMALLINT,
  [OY]       SMALLINT,
  [RL]       SINGLE,
  [RR]       SINGLE,
  [RO]       SINGLE,
  [RU]       SINGLE,
  [XMIN]     SINGLE,
  [XMAX]     SINGLE,
  [YMIN]     SINGLE,
  [YMAX]     SINGLE,
  [MX]       SINGLE,
  [MY]       SINGLE,
  [MYMX]     SINGLE,
  [MSP]      SINGLE
);
CREATE INDEX [G0_ID] ON [G0] ([ID], [IDOBJEKT]);
