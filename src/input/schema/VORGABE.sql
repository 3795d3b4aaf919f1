-- Preset database of the suite. It holds no tables yet; the header marks it as ours.
PRAGMA application_id = 1414682192;  -- 'TRVP'
PRAGMA user_version = 1;
