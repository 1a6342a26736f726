object MainForm: TForm
  Caption = 'Orders'
  Left = 100
  Top = 80
  Width = 420
  Height = 300
  object Tracebook1: TKDTracebook
    ApplicationID = 'Two forms'
    Filename = 'twoforms.evt'
  end
  object Customer: TEdit
    Left = 8
    Top = 10
    Width = 150
    Height = 21
  end
  object OpenBtn: TButton
    Left = 8
    Top = 40
    Width = 75
    Height = 25
    Caption = 'Open'
  end
  object Status: TLabel
    Left = 8
    Top = 80
    Width = 100
    Height = 16
    Caption = 'Ready'
  end
end
object OrderForm: TForm
  Caption = 'Order'
  Left = 560
  Top = 80
  Width = 300
  Height = 200
  Visible = True
  object Qty: TEdit
    Left = 10
    Top = 10
    Width = 100
    Height = 21
  end
  object AddBtn: TButton
    Left = 10
    Top = 40
    Width = 75
    Height = 25
    Caption = '&Add'
  end
  object Notes: TLabel
    Left = 10
    Top = 80
    Width = 60
    Height = 16
    Caption = 'Notes'
  end
end
