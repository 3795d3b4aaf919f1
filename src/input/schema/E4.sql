-- The sliding check of a cover on a slope, at most one per input record: inclination β in
-- degrees, slope length L and cover thickness h in m, unit weight γ in kN/m³, the factor of
-- safety asked for. Added to a project the first time a record gets a check.
CREATE TABLE IF NOT EXISTS [E4] (
  [ID]     INTEGER,
  [BETA]   DOUBLE,
  [LAENGE] DOUBLE,
  [DICKE]  DOUBLE,
  [GAMMA]  DOUBLE,
  [FSERF]  DOUBLE
);
CREATE INDEX IF NOT EXISTS [E4_ID] ON [E4] ([ID]);
