-- Shear-test results of the input records, one row per test point: normal stress σ' and
-- the peak and residual strength of the contact and of the soil (kN/m²), null where not
-- measured. Added to a project the first time a record gets test results.
CREATE TABLE IF NOT EXISTS [E3] (
  [ID]    INTEGER,
  [NR]    SMALLINT,
  [SIG]   DOUBLE,
  [TAUF]  DOUBLE,
  [TAUR]  DOUBLE,
  [TAUB]  DOUBLE,
  [TAUBR] DOUBLE
);
CREATE INDEX IF NOT EXISTS [E3_ID] ON [E3] ([ID], [NR]);
