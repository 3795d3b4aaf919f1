-- Two example records for the demo project TE0000.00.
-- Friction angles in degrees at the reference stress and their change per tenfold stress.
INSERT INTO [E1] ([ID],[KEN],[KOM],[AKT],[SPR]) VALUES
  (1, 'PEHD-Dichtungsbahn auf Sand', 'Glatte PEHD-Dichtungsbahn 2,5 mm auf Mittelsand, Rahmenscherversuch 30 x 30 cm', 1, 3),
  (2, 'Concrete on clay', 'Cast-in-place concrete on stiff clay, direct shear tests', 0, 1);

INSERT INTO [E2] ([ID],[SIB],[A],[C],[AR],[CR],[AB],[CB],[ARB],[CRB],[SIA],[SIMAX],[SI1],[SI2],[N]) VALUES
  (1, 60, 22.5, -2.0, 17.0, -1.5, 35.0, -4.0, 32.0, -3.0, 10, 200, 10, 60, 100),
  (2, 60, 24.0, -3.0, 14.0, -2.0, 28.0, -4.0, 16.0, -2.5, 10, 400, 20, 100, 100);
