-- Three example records for the demo project TE0000.00; the first with the check of a
-- landfill cover on its slope, the third with the shear-test results its parameters were
-- fitted to.
-- Friction angles in degrees at the reference stress and their change per tenfold stress.
INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES
  (1, 'PEHD-Dichtungsbahn auf Sand', 'Glatte PEHD-Dichtungsbahn 2,5 mm auf Mittelsand, Rahmenscherversuch 30 x 30 cm', 1, 3),
  (2, 'Concrete on clay', 'Cast-in-place concrete on stiff clay, direct shear tests', 0, 1),
  (3, 'Vliesstoff auf Kies 0/32', 'Vliesstoff 600 g/m² auf Kies 0/32, Rahmenscherversuche 30 x 30 cm', 0, 3);

INSERT INTO [E2] ([ID],[SIB],[A],[C],[AR],[CR],[AB],[CB],[ARB],[CRB],[SIA],[SIMAX],[SI1],[SI2],[N]) VALUES
  (1, 60, 22.5, -2.0, 17.0, -1.5, 35.0, -4.0, 32.0, -3.0, 10, 200, 10, 60, 100),
  (2, 60, 24.0, -3.0, 14.0, -2.0, 28.0, -4.0, 16.0, -2.5, 10, 400, 20, 100, 100),
  (3, 100, 30.0, -3.45, 25.04, -1.65, 37.97, -4.23, 34.01, -2.66, 10, 200, 50, 200, 100);

INSERT INTO [E3] ([ID],[NR],[SIG],[TAUF],[TAUR],[TAUB],[TAUBR]) VALUES
  (3, 1, 25, 15.8, 12.1, 21.5, 17.8),
  (3, 2, 50, 29.6, 24.3, 40.3, 35.2),
  (3, 3, 100, 58.1, 46.4, 78.6, 67.1),
  (3, 4, 200, 110.8, 91.2, 149.0, 130.9);

-- A landfill cover of 0.5 m on a slope of 1 : 3.5 (15.95°), 25 m long, on the geomembrane.
INSERT INTO [E4] ([ID],[BETA],[LAENGE],[DICKE],[GAMMA],[FSERF]) VALUES
  (1, 15.945395900923, 25, 0.5, 19, 1.5);
